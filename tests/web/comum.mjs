// What the web tests share: the command line, pages, the one wait, the canvas against the natives.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir_navegador, servir } from '../../apoio/navegador.mjs';

const PRAZO = 30000;
// ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES NATIVE_EDITOR PAINTED
export const [motor, pasta_web, pasta_nativa, modulos, editor_nativo, pintado] = process.argv.slice(2);

export const falhar = (motivo) => { throw new Error(motivo); };

// The one wait: until condicao() resolves truthy, to that, else failing with o_que (or o_que()).
export async function esperar_que(condicao, o_que) {
  for (const fim = Date.now() + PRAZO; ;) {
    const visto = await condicao();
    if (visto) return visto;
    if (Date.now() > fim) falhar((typeof o_que === 'function' ? o_que() : o_que) + ' within ' + PRAZO / 1000 + ' s');
    await new Promise((r) => setTimeout(r, 50));
  }
}

// The same for the page's expression; a page between two documents holds nothing.
export function esperar(pagina, expressao, o_que, argumento) {
  return esperar_que(() => pagina.avaliar(expressao, argumento).catch(() => false), o_que);
}

// A page of url in contexto or else a context of its own, at screen tela, antes run before its
// scripts; with rodando, once its program drew a frame (one that ends first fails, as it says).
export async function abrir(ambiente, url, { tela = { width: 820, height: 700 }, antes, contexto, rodando } = {}) {
  const c = contexto || await ambiente.navegador.contexto();
  const pagina = await c.abrir(null, tela);
  if (!contexto) pagina.fechar = () => c.fechar();
  await pagina.ir(antes ? ambiente.com_antes(ambiente.endereco + url, antes) : ambiente.endereco + url);
  const visto = rodando && await esperar(pagina, () => { const p = window.tabuleiro2 || window.editor;
    return p.quadros > 0 || (p.estado === 'terminou' && 'it ended: ' + document.getElementById('saida').textContent); }, 'no frame on ' + url);
  if (rodando && visto !== true) falhar('no frame on ' + url + ': ' + visto);
  return pagina;
}

export const terminou = () => (window.tabuleiro2 || window.editor).estado === 'terminou';

// The program's end after o_que, with status saida.
export async function conferir_saida(pagina, saida, o_que) {
  const vista = await esperar(pagina, () => { const p = window.tabuleiro2 || window.editor;
    return p.estado === 'terminou' && 'status ' + p.saida; }, 'no end after ' + o_que);
  if (vista !== 'status ' + saida) falhar(o_que + ': ' + vista + ', not ' + saida);
}

// The page's title, on the page too, matching regular expression padrao.
export const esperar_titulo = (pagina, padrao) => esperar(pagina, (p) => new RegExp(p).test(document.title) &&
  document.getElementById('titulo').textContent === document.title, 'no title /' + padrao + '/', padrao);

// Key tecla pressed and released, then the title it brings.
export async function teclar(pagina, tecla, padrao) {
  await pagina.tecla_abaixo(tecla);
  await pagina.tecla_acima(tecla);
  await esperar_titulo(pagina, padrao);
}

// Button botao dragged along the cells of caminho; then cell [x, y] (the last) must change.
export async function pintar(pagina, botao, caminho, [x, y] = caminho.at(-1)) {
  const celula = () => pagina.avaliar((x, y) => document.querySelector('canvas').getContext('2d')
    .getImageData(x * 50, y * 50, 50, 50).data.join(), x, y);
  const ponto = (c) => pagina.avaliar(([x, y]) => { // through the canvas's scaling
    const r = document.querySelector('canvas').getBoundingClientRect(), e = r.width / 800;
    return [r.left + (x * 50 + 25) * e, r.top + (y * 50 + 25) * e];
  }, c);
  const antes = await celula();
  await pagina.mover(...(await ponto(caminho[0])));
  await pagina.pressionar(botao);
  for (const c of caminho.slice(1)) await pagina.mover(...(await ponto(c)));
  await pagina.largar(botao);
  await esperar_que(async () => (await celula()) !== antes, 'cell ' + x + ',' + y + ' unchanged by the ' + botao + ' button');
}

// The canvas's pixels, RGB, by the page's own getImageData.
export async function quadro(pagina) {
  return Buffer.from(await pagina.avaliar(() => {
    const c = document.querySelector('canvas'), rgba = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const rgb = new Uint8Array(rgba.length / 4 * 3).map((_, i) => rgba[i + Math.floor(i / 3)]);
    let s = '';
    for (let i = 0; i < rgb.length; i += 0x8000) s += String.fromCharCode(...rgb.subarray(i, i + 0x8000));
    return btoa(s);
  }), 'base64');
}

// Frame after frame, until the canvas is the native window's capture nativa (RGB, pasta_nativa).
export async function ate_igual(pagina, nativa, o_que) {
  const rgb = readFileSync(join(pasta_nativa, nativa));
  let visto;
  await esperar_que(async () => {
    await pagina.avaliar(() => new Promise((r) => {
      document.querySelector('canvas').addEventListener('quadro', r, { once: true });
      setTimeout(r, 1000);
    }));
    return (visto = await quadro(pagina)).equals(rgb);
  }, () => o_que + ': ' + (visto.length !== rgb.length ? 'the canvas is not 800 x 600' : [...Array(rgb.length / 3).keys()]
    .filter((i) => visto.readUIntBE(3 * i, 3) !== rgb.readUIntBE(3 * i, 3)).length + ' pixels unlike the native window'));
}

// Another browser of the engine (abrir_navegador's options), closed by testar at the latest.
const abertos = [];
export async function outro_navegador(opcoes) {
  abertos.push(await abrir_navegador(motor, modulos, opcoes));
  return abertos.at(-1);
}

// Serves pasta (the native captures under /nativa/), runs each of testes with { navegador,
// endereco, com_antes, parar (the server) }, says PASS or FAIL and sets the status; closes all.
export async function testar(testes, pasta = pasta_web) {
  const { servidor, endereco, com_antes } = await servir(pasta, { nativa: pasta_nativa });
  const parar = () => { servidor.closeAllConnections(); servidor.close(); };
  try {
    const navegador = await outro_navegador();
    for (const teste of testes) await teste({ navegador, endereco, com_antes, parar });
    console.log('PASS (' + motor + ')');
  } catch (e) {
    console.error('FAIL (' + motor + '): ' + e.message);
    process.exitCode = 1;
  } finally {
    for (const navegador of abertos) await navegador.fechar().catch(() => {}); // again, if closed
    parar();
  }
}
