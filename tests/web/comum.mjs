// Shared by the web pages' tests, whatever the browser engine: the server
// and the browser they run in (apoio/navegador.mjs), a page opened, waits
// with a deadline, keys and the pointer as a player uses them, and the
// canvas compared with the native captures.
import { readFileSync } from 'node:fs';
import { abrir_navegador, servir } from '../../apoio/navegador.mjs';

const PRAZO = 30000;
const LARGURA = 800, ALTURA = 600, CELULA = 50;

export function falhar(motivo) {
  throw new Error(motivo);
}

// A page of url (relative to the server) in a new context of its own
// (closed with the page) unless in contexto, at screen tela ({ width,
// height, toque }); antes, if given, runs before the page's own scripts.
export async function abrir(ambiente, url, opcoes = {}) {
  const { tela = { width: 820, height: 700 }, antes } = opcoes;
  const contexto = opcoes.contexto || await ambiente.navegador.contexto();
  const pagina = await contexto.abrir(null, tela);
  if (!opcoes.contexto) pagina.fechar = () => contexto.fechar();
  await pagina.ir(antes ? ambiente.com_antes(ambiente.endereco + url, antes) : ambiente.endereco + url);
  return pagina;
}

// The same, once its program drew its first frame; a program that ends
// with none fails the test with what the page says of its end.
export async function abrir_rodando(ambiente, url, opcoes) {
  const pagina = await esperar(await abrir(ambiente, url, opcoes), () => {
    const p = window.tabuleiro2 || window.editor;
    return p.quadros > 0 || p.estado === 'terminou';
  }, 'no frame on ' + url);
  const fim = await pagina.avaliar(() => !(window.tabuleiro2 || window.editor).quadros &&
    document.getElementById('saida').textContent);
  if (fim !== false) falhar('no frame on ' + url + ': the program ended: ' + fim);
  return pagina;
}

export const terminou = () => (window.tabuleiro2 || window.editor).estado === 'terminou';

// The program's end, after o_que, with exit status saida.
export async function conferir_saida(pagina, saida, o_que) {
  await esperar(pagina, terminou, 'no end after ' + o_que);
  const vista = await pagina.avaliar(() => (window.tabuleiro2 || window.editor).saida);
  if (vista !== saida) falhar(o_que + ': status ' + vista + ', not ' + saida);
}

// The web tests' one wait: until condicao() (or the promise it gives) is
// true, at most PRAZO; then the test fails saying o_que (text, or a function
// that gives it).
export async function esperar_que(condicao, o_que) {
  for (const fim = Date.now() + PRAZO; !(await condicao());) {
    if (Date.now() > fim) falhar((typeof o_que === 'function' ? o_que() : o_que) + ' within ' + PRAZO / 1000 + ' s');
    await new Promise((r) => setTimeout(r, 50));
  }
}

// Waits for the page's expression (with argumento) to hold; a page between
// two documents holds nothing. Resolves to the page.
export async function esperar(pagina, expressao, o_que, argumento) {
  await esperar_que(() => pagina.avaliar(expressao, argumento).catch(() => false), o_que);
  return pagina;
}

// Waits for the page's title to match regular expression padrao.
export async function esperar_titulo(pagina, padrao) {
  await esperar(pagina, (p) => new RegExp(p).test(document.title) &&
    document.getElementById('titulo').textContent === document.title, 'no title /' + padrao + '/', padrao);
}

// Holds key tecla (a KeyboardEvent.key) longer than a frame, as a player
// does, until the page's expressao holds.
export async function segurar(pagina, tecla, expressao, o_que) {
  await pagina.tecla_abaixo(tecla);
  await esperar(pagina, expressao, o_que);
  await pagina.tecla_acima(tecla);
}

// Key tecla pressed and released, then its effect in the title.
export async function teclar(pagina, tecla, padrao) {
  await pagina.tecla_abaixo(tecla);
  await pagina.tecla_acima(tecla);
  await esperar_titulo(pagina, padrao);
}

// The page's point at the centre of cell (x, y), through the canvas's scaling.
async function ponto(pagina, x, y) {
  const [esquerda, topo, largura] = await pagina.avaliar(() => {
    const r = document.querySelector('canvas').getBoundingClientRect();
    return [r.left, r.top, r.width];
  });
  const escala = largura / LARGURA;
  return [esquerda + (x * CELULA + CELULA / 2) * escala, topo + (y * CELULA + CELULA / 2) * escala];
}

// The pixels of cell (x, y) on the canvas, as text.
function celula(pagina, x, y) {
  return pagina.avaliar((x, y) => document.querySelector('canvas').getContext('2d')
    .getImageData(x * 50, y * 50, 50, 50).data.join(), x, y);
}

// Presses button botao at the centre of the first cell of caminho, moves
// in one step to the centre of each next one (outside the board too),
// releases: then cell [x, y] (by default the last) must change.
export async function pintar(pagina, botao, caminho, [x, y] = caminho.at(-1)) {
  const antes = await celula(pagina, x, y);
  await pagina.mover(...(await ponto(pagina, ...caminho[0])));
  await pagina.pressionar(botao);
  for (const c of caminho.slice(1)) await pagina.mover(...(await ponto(pagina, ...c)));
  await pagina.largar(botao);
  await esperar_que(async () => (await celula(pagina, x, y)) !== antes,
    'cell ' + x + ',' + y + ' unchanged by the ' + botao + ' button');
}

// The canvas's pixels now, RGBA, read by the page's own getImageData.
export async function quadro(pagina) {
  return Buffer.from(await pagina.avaliar(() => {
    const c = document.querySelector('canvas');
    const pixels = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < pixels.length; i += 0x8000) s += String.fromCharCode(...pixels.subarray(i, i + 0x8000));
    return btoa(s);
  }), 'base64');
}

// Waits, frame after frame, until the canvas shows the native capture in
// file nativa; o_que says what failed to bring it.
export async function ate_igual(pagina, nativa, o_que) {
  let diferentes;
  await esperar_que(async () => {
    await pagina.avaliar(() => new Promise((r) => {
      document.querySelector('canvas').addEventListener('quadro', r, { once: true });
      setTimeout(r, 1000);
    }));
    return (diferentes = diferencas(await quadro(pagina), nativa)) === 0;
  }, () => o_que + ': ' + diferentes + ' pixels unlike the native window');
}

// How many pixels of RGBA frame differ from the native RGB capture in file nativa.
function diferencas(rgba, nativa) {
  const rgb = readFileSync(nativa);
  if (rgba.length !== LARGURA * ALTURA * 4) falhar('the canvas is not ' + LARGURA + ' x ' + ALTURA);
  let n = 0;
  for (let i = 0; i < LARGURA * ALTURA; i++)
    if (rgba[4 * i] !== rgb[3 * i] || rgba[4 * i + 1] !== rgb[3 * i + 1] || rgba[4 * i + 2] !== rgb[3 * i + 2]) n++;
  return n;
}

// Serves folder pasta_web (and pasta_nativa under /nativa/), opens browser
// engine motor with the puppeteer-core of folder modulos, and runs
// corpo(ambiente): { motor, navegador, endereco, com_antes, parar: stop the
// server, pastas }; both go once it is done.
export async function com_navegador(motor, pasta_web, pasta_nativa, modulos, corpo) {
  const { servidor, endereco, com_antes } = await servir(pasta_web, { nativa: pasta_nativa });
  const parar = () => { servidor.closeAllConnections(); servidor.close(); };
  try {
    const navegador = await abrir_navegador(motor, modulos);
    try {
      await corpo({ motor, navegador, endereco, com_antes, parar, pasta_web, pasta_nativa, modulos });
    } finally {
      await navegador.fechar();
    }
  } finally {
    parar();
  }
}

// The command line's engine, folders and the rest:
// ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES ...
export const [motor, pasta_web, pasta_nativa, modulos, ...resto] = process.argv.slice(2);

// Runs each of testes with the ambiente com_navegador gives; PASS, or FAIL
// (saying the engine) and status 1.
export async function testar(testes) {
  await relatar(() => com_navegador(motor, pasta_web, pasta_nativa, modulos, async (ambiente) => {
    for (const teste of testes) await teste(ambiente);
  }));
}

// PASS once corpo is done, or FAIL and status 1.
export async function relatar(corpo) {
  try {
    await corpo();
    console.log('PASS (' + motor + ')');
  } catch (e) {
    console.error('FAIL (' + motor + '): ' + e.message);
    process.exitCode = 1;
  }
}
