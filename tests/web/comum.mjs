// Shared by the web pages' tests: the server and the browser they run in, a
// page opened with a spy on its canvas, waits with a deadline, and frames
// compared with the native captures.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir_chromium, servir } from './navegador.mjs';

const PRAZO = 30000;
const LARGURA = 800, ALTURA = 600, CELULA = 50;

export function falhar(motivo) {
  throw new Error(motivo);
}

// Before the page's own script runs: each frame's pixels kept as the last,
// and the first kept apart; whether the page stopped the arrows' default.
function espiar_pagina() {
  window.espia = { teclas_sem_efeito: true };
  document.addEventListener('DOMContentLoaded', () => {
    const canvas = document.querySelector('canvas');
    canvas.addEventListener('quadro', () => {
      const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      window.espia.ultimo = pixels;
      if (!window.espia.primeiro) window.espia.primeiro = pixels;
    });
  });
  window.addEventListener('keydown', (e) => setTimeout(() => {
    if (e.key.startsWith('Arrow') && !e.defaultPrevented) window.espia.teclas_sem_efeito = false;
  }));
}

// A page of url, the spy and antes run before its script, in a new browser
// context unless in contexto, in language idioma, at viewport tela;
// pagina.baixados is its downloads' folder, pagina.erros what it throws.
export async function abrir(navegador, url, opcoes = {}) {
  const { idioma = 'pt-BR', tela = { width: 820, height: 700 }, antes = () => {} } = opcoes;
  const contexto = opcoes.contexto || await navegador.createBrowserContext();
  const pagina = await contexto.newPage();
  const cdp = await pagina.createCDPSession();
  pagina.baixados = join(navegador.perfil, 'baixados', String(contexto.id));
  await cdp.send('Browser.setDownloadBehavior',
    { behavior: 'allow', downloadPath: pagina.baixados, browserContextId: contexto.id });
  await cdp.send('Emulation.setUserAgentOverride', { userAgent: await navegador.userAgent(), acceptLanguage: idioma });
  await pagina.setViewport(tela);
  pagina.erros = [];
  pagina.on('pageerror', (e) => pagina.erros.push(e.message));
  await pagina.evaluateOnNewDocument(espiar_pagina);
  await pagina.evaluateOnNewDocument(antes);
  await pagina.goto(url);
  return pagina;
}

// The same, once its program drew its first frame; a program that ends
// with none fails the test with what the page says of its end.
export async function abrir_rodando(navegador, url, opcoes) {
  const pagina = await esperar(await abrir(navegador, url, opcoes), () => !!window.espia.ultimo ||
    (window.tabuleiro2 || window.editor).estado === 'terminou', 'no frame on ' + url);
  const fim = await pagina.evaluate(() => !window.espia.ultimo && document.getElementById('saida').textContent);
  if (fim !== false) falhar('no frame on ' + url + ': the program ended: ' + fim);
  return pagina;
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

// Waits for the page's title to match regular expression padrao.
export async function esperar_titulo(pagina, padrao) {
  await esperar(pagina, (p) => new RegExp(p).test(document.title) &&
    document.getElementById('titulo').textContent === document.title, 'no title /' + padrao + '/', padrao);
}

// Holds key tecla longer than a frame, as a player does, until the page's
// expressao holds.
export async function segurar(pagina, tecla, expressao, o_que) {
  await pagina.keyboard.down(tecla);
  await esperar(pagina, expressao, o_que);
  await pagina.keyboard.up(tecla);
}

// Key tecla, then its effect in the title.
export async function teclar(pagina, tecla, padrao) {
  await pagina.keyboard.press(tecla);
  await esperar_titulo(pagina, padrao);
}

// The page's point at the centre of cell (x, y), through the canvas's scaling.
async function ponto(pagina, x, y) {
  const caixa = await pagina.$eval('canvas', (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width]; });
  const escala = caixa[2] / 800;
  return [caixa[0] + (x * CELULA + CELULA / 2) * escala, caixa[1] + (y * CELULA + CELULA / 2) * escala];
}

// The pixels of cell (x, y) on the canvas, as text.
function celula(pagina, x, y) {
  return pagina.$eval('canvas', (c, x, y) =>
    c.getContext('2d').getImageData(x * 50, y * 50, 50, 50).data.join(), x, y);
}

// Presses button botao at the centre of the first cell of caminho, moves
// in one step to the centre of each next one (outside the board too),
// releases: then cell [x, y] (by default the last) must change.
export async function pintar(pagina, botao, caminho, [x, y] = caminho.at(-1)) {
  const antes = await celula(pagina, x, y);
  await pagina.mouse.move(...(await ponto(pagina, ...caminho[0])));
  await pagina.mouse.down({ button: botao });
  for (const c of caminho.slice(1)) await pagina.mouse.move(...(await ponto(pagina, ...c)));
  await pagina.mouse.up({ button: botao });
  await esperar_que(async () => (await celula(pagina, x, y)) !== antes,
    'cell ' + x + ',' + y + ' unchanged by the ' + botao + ' button');
}

// Waits for the page's expression (with argumento) to hold; a page between
// two documents holds nothing. Resolves to the page.
export async function esperar(pagina, expressao, o_que, argumento) {
  await esperar_que(() => pagina.evaluate(expressao, argumento).catch(() => false), o_que);
  return pagina;
}

// The frame window.espia.QUAL as RGBA bytes.
export async function quadro(pagina, qual) {
  const texto = await pagina.evaluate((q) => {
    let s = '';
    for (const b of window.espia[q]) s += String.fromCharCode(b);
    return btoa(s);
  }, qual);
  return Buffer.from(texto, 'base64');
}

// Waits, frame after frame, until the canvas shows the native capture in
// file nativa; o_que says what failed to bring it.
export async function ate_igual(pagina, nativa, o_que) {
  let diferentes;
  await esperar_que(async () => {
    await pagina.evaluate(() => new Promise((r) => {
      document.querySelector('canvas').addEventListener('quadro', r, { once: true });
      setTimeout(r, 1000);
    }));
    return (diferentes = diferencas(await quadro(pagina, 'ultimo'), nativa)) === 0;
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

// Serves folder pasta_web (and pasta_nativa under /nativa/), opens Chromium
// with the puppeteer-core of folder modulos, and runs corpo(browser, the
// server's address, stop the server); both go once it is done.
export async function com_chromium(pasta_web, pasta_nativa, modulos, corpo) {
  const { servidor, endereco } = await servir(pasta_web, { nativa: pasta_nativa });
  const navegador = await abrir_chromium(modulos);
  const parar = () => { servidor.closeAllConnections(); servidor.close(); };
  try {
    await corpo(navegador, endereco, parar);
  } finally {
    await navegador.fechar();
    parar();
  }
}

// Runs each of testes with one browser and the server's address, as
// com_chromium does; PASS, or FAIL and status 1.
export async function testar(pasta_web, pasta_nativa, modulos, testes) {
  await relatar(() => com_chromium(pasta_web, pasta_nativa, modulos, async (navegador, endereco) => {
    for (const teste of testes) await teste(navegador, endereco);
  }));
}

// PASS once corpo is done, or FAIL and status 1.
export async function relatar(corpo) {
  try {
    await corpo();
    console.log('PASS');
  } catch (e) {
    console.error('FAIL: ' + e.message);
    process.exitCode = 1;
  }
}
