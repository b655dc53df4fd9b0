// The game's web page in headless Chromium: the sample board drawn, a board
// without monsters pixel for pixel the native window's once the avatar
// stopped at a wall, keys with no click first, Esc, a malformed board link.
// Usage: node pagina.mjs ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES
import { join } from 'node:path';
import { abrir, abrir_rodando, ate_igual, esperar, falhar, segurar, testar } from './comum.mjs';

const [pasta_web, pasta_nativa, modulos] = process.argv.slice(2);

// The sample board, from a page with no parameter, on one canvas of 800 x
// 600 (app.mjs compares it without monsters); Esc ends it with status 0.
async function testar_exemplo(navegador, endereco) {
  const pagina = await abrir_rodando(navegador, endereco + '/');
  const contrato = await pagina.evaluate(() => [document.querySelectorAll('canvas').length,
    document.querySelector('canvas').width, document.querySelector('canvas').height].join(' '));
  if (contrato !== '1 800 600') falhar('canvases, width, height: ' + contrato);
  await segurar(pagina, 'Escape', () => window.tabuleiro2.estado === 'terminou', 'Esc did not end the game');
  const saida = await pagina.evaluate(() => window.tabuleiro2.saida);
  if (saida !== 0 || !(await pagina.$eval('#saida', (e) => e.textContent.includes('saída 0'))))
    falhar('Esc: status ' + saida);
  await pagina.close();
}

// The same board without monsters, from ?tabuleiro= (its first frame is
// app.mjs's to compare): after the right arrow held with no click first, the
// avatar against the wall, the native window's pixels exactly; the arrow
// scrolls nothing.
async function testar_identico(navegador, endereco) {
  const pagina = await abrir_rodando(navegador, endereco + '/?tabuleiro=nativa/sem_monstros.map');
  await pagina.keyboard.down('ArrowRight');
  await ate_igual(pagina, join(pasta_nativa, 'parado.rgb'), 'the avatar against the wall');
  await pagina.keyboard.up('ArrowRight');
  if (!(await pagina.evaluate(() => window.espia.teclas_sem_efeito))) falhar('the arrows scroll the page');
  await pagina.close();
}

// A link whose cells are not 192 digits from 0 to 3: the page's own
// message, no game (a board that cannot be fetched is paginas.mjs's).
async function testar_sem_tabuleiro(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/?celulas=' + '0'.repeat(191) + '4');
  await esperar(pagina, () => window.tabuleiro2.estado === 'terminou', 'no end of a bad link');
  const aviso = await pagina.$eval('#saida', (e) => e.textContent);
  if (!aviso.includes('192 algarismos de 0 a 3') || await pagina.evaluate(() => window.tabuleiro2.quadros))
    falhar('a bad link: ' + aviso);
  await pagina.close();
}

await testar(pasta_web, pasta_nativa, modulos, [testar_exemplo, testar_identico, testar_sem_tabuleiro]);
